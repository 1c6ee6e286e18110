// sorvane.cpp : stand-in for the host product's data-access library

#include "sorvane.h"

#include <set>
#include <vector>

namespace
{
	struct SteeringState
	{
		bool bAccessObject = true;
		int nStatus = 0;
		bool bThrow = false;
		int nCreated = 0;
		int nDeleted = 0;
		int nChecked = 0;
		std::vector<std::string> events;
		std::string lastPath;
		std::set<const FileOpenSourceDescriptor*> live;
	};

	SteeringState& State()
	{
		static SteeringState state;
		return state;
	}

	void Record(const std::string& text)
	{
		State().events.push_back(text);
	}
}

/////////////////////////////////////////////////////////////////////////////
// FileOpenSourceDescriptor

FileOpenSourceDescriptor::FileOpenSourceDescriptor()
	: m_nSerial(++State().nCreated)
{
	State().live.insert(this);
	Record("create " + std::to_string(m_nSerial));
}

FileOpenSourceDescriptor::~FileOpenSourceDescriptor()
{
	State().nDeleted++;
	State().live.erase(this);
	Record("delete " + std::to_string(m_nSerial));
}

void FileOpenSourceDescriptor::SetPathName(const std::string& path)
{
	m_path = path;
	State().lastPath = path;
	Record("path " + std::to_string(m_nSerial) + " " + path);
}

const std::string& FileOpenSourceDescriptor::GetPathName() const
{
	return m_path;
}

int FileOpenSourceDescriptor::GetSerial() const
{
	return m_nSerial;
}

/////////////////////////////////////////////////////////////////////////////
// FileOpenDAC

FileOpenDAC::FileOpenDAC()
{
}

FileOpenDAC::~FileOpenDAC()
{
}

int FileOpenDAC::CheckSource(FileOpenSourceDescriptor* pSource)
{
	SteeringState& s = State();
	s.nChecked++;
	if (pSource != NULL && s.live.count(pSource))
		Record("check " + std::to_string(pSource->GetSerial()) + " " + pSource->GetPathName());
	else
		Record("check 0");
	if (s.bThrow)
		throw s.nStatus;
	return s.nStatus;
}

FileOpenSourceDescriptor* FileOpenDAC::CreateSourceDescriptor()
{
	return new FileOpenSourceDescriptor;
}

/////////////////////////////////////////////////////////////////////////////
// DataAccessManager

DataAccessManager::DataAccessManager()
{
}

DataAccessManager& DataAccessManager::Instance()
{
	static DataAccessManager manager;
	return manager;
}

FileOpenDAC* DataAccessManager::GetFileOpenDAC() const
{
	static FileOpenDAC dac;
	return State().bAccessObject ? &dac : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Steering

extern "C"
{

void SorvaneTestReset()
{
	SteeringState& s = State();
	s.bAccessObject = true;
	s.nStatus = 0;
	s.bThrow = false;
	s.nCreated = 0;
	s.nDeleted = 0;
	s.nChecked = 0;
	s.events.clear();
	s.lastPath.clear();
}

void SorvaneTestSetAccessObject(int bPresent)
{
	State().bAccessObject = bPresent != 0;
}

void SorvaneTestSetStatus(int nStatus)
{
	State().nStatus = nStatus;
}

void SorvaneTestSetThrow(int bThrow)
{
	State().bThrow = bThrow != 0;
}

int SorvaneTestCreatedCount()
{
	return State().nCreated;
}

int SorvaneTestDeletedCount()
{
	return State().nDeleted;
}

int SorvaneTestCheckCount()
{
	return State().nChecked;
}

int SorvaneTestEventCount()
{
	return static_cast<int>(State().events.size());
}

const char* SorvaneTestEvent(int i)
{
	const std::vector<std::string>& events = State().events;
	if (i < 0 || static_cast<size_t>(i) >= events.size())
		return NULL;
	return events[static_cast<size_t>(i)].c_str();
}

const char* SorvaneTestLastPath()
{
	return State().lastPath.c_str();
}

int SorvaneTestLastPathLength()
{
	return static_cast<int>(State().lastPath.size());
}

}
