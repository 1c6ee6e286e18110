// sorvane.h : data-access classes of the host product's sorvane library, as
// far as Tessarine calls them, and the steering interface of this stand-in.
//
// Classes in this header:
//   FileOpenSourceDescriptor - describes one source to examine (a path)
//   FileOpenDAC              - the file-open access object; checks sources
//   DataAccessManager        - the library's single manager

#pragma once

#include <string>

#ifdef SORVANE_BUILD
#define SORVANE_API __declspec(dllexport)
#else
#define SORVANE_API __declspec(dllimport)
#endif

class SORVANE_API FileOpenSourceDescriptor
{
public:
	FileOpenSourceDescriptor();
	virtual ~FileOpenSourceDescriptor();

	void SetPathName(const std::string& path);
	const std::string& GetPathName() const;
	// Serial number of this descriptor in creation order, from 1.
	int GetSerial() const;

private:
	FileOpenSourceDescriptor(const FileOpenSourceDescriptor&);
	FileOpenSourceDescriptor& operator=(const FileOpenSourceDescriptor&);

	std::string m_path;
	int m_nSerial;
};

class SORVANE_API FileOpenDAC
{
public:
	FileOpenDAC();
	virtual ~FileOpenDAC();

	// Status of the described source; 0 and 3 mean it can be opened.
	// CheckSource comes immediately before CreateSourceDescriptor in the
	// virtual table, as callers of the real library rely on.
	virtual int CheckSource(FileOpenSourceDescriptor* pSource);
	// A new descriptor, owned by the caller.
	virtual FileOpenSourceDescriptor* CreateSourceDescriptor();
};

class SORVANE_API DataAccessManager
{
public:
	static DataAccessManager& Instance();
	// The file-open access object, or NULL when there is none.
	FileOpenDAC* GetFileOpenDAC() const;

private:
	DataAccessManager();
	DataAccessManager(const DataAccessManager&);
	DataAccessManager& operator=(const DataAccessManager&);
};

// Steering interface of the stand-in. Every call is recorded as one event
// text, in order:
//   "create <serial>"            CreateSourceDescriptor
//   "path <serial> <path>"       SetPathName
//   "check <serial> <path>"      CheckSource (serial 0 for a NULL or foreign pointer)
//   "delete <serial>"            descriptor destructor
extern "C"
{
	// Back to the start state: an access object, status 0, no throwing,
	// no events, counters at zero.
	SORVANE_API void SorvaneTestReset();
	// Whether GetFileOpenDAC returns an access object.
	SORVANE_API void SorvaneTestSetAccessObject(int bPresent);
	// The status CheckSource returns from now on.
	SORVANE_API void SorvaneTestSetStatus(int nStatus);
	// When non-zero, CheckSource throws an int after recording its event.
	SORVANE_API void SorvaneTestSetThrow(int bThrow);

	SORVANE_API int SorvaneTestCreatedCount();
	SORVANE_API int SorvaneTestDeletedCount();
	SORVANE_API int SorvaneTestCheckCount();
	SORVANE_API int SorvaneTestEventCount();
	// Event i (0-based), or NULL past the end; valid until the next call
	// that records an event or resets.
	SORVANE_API const char* SorvaneTestEvent(int i);
	// The last path given to SetPathName, byte for byte, and its length.
	SORVANE_API const char* SorvaneTestLastPath();
	SORVANE_API int SorvaneTestLastPathLength();
}
