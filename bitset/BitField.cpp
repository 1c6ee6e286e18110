// BitField.cpp : fixed-size bit set

#include "BitField.h"

#include <string.h>

namespace
{
	const int kInt64Bytes = static_cast<int>(sizeof(__int64));

	// Byte i of value, least significant first; the bits of a negative value
	// are taken as its two's complement pattern.
	BYTE Int64Byte(__int64 value, int i)
	{
		unsigned __int64 u = static_cast<unsigned __int64>(value);
		return static_cast<BYTE>((u >> (8 * i)) & 0xFF);
	}

	BYTE* AllocateZeroed(int nBytes)
	{
		BYTE* p = new BYTE[nBytes];
		memset(p, 0, static_cast<size_t>(nBytes));
		return p;
	}
}

/////////////////////////////////////////////////////////////////////////////
// Construction

BitField::BitField(int nBytes, int nInitialBit)
	: m_nBytes(0), m_pBits(NULL)
{
	// A negative count would reach the allocator as a huge size; such a
	// field is simply empty.
	if (nBytes < 0)
		nBytes = 0;
	m_pBits = AllocateZeroed(nBytes);
	m_nBytes = nBytes;
	if (nInitialBit >= 0)
		SetBit(nInitialBit);
}

BitField::BitField(const BitField& other)
	: m_nBytes(0), m_pBits(NULL)
{
	CopyFrom(other);
}

BitField::~BitField()
{
	FreeStorage();
}

BitField& BitField::operator=(const BitField& other)
{
	// Copying from itself would free the bytes it is about to read.
	if (&other != this)
		CopyFrom(other);
	return *this;
}

BitField& BitField::operator=(__int64 value)
{
	BYTE* p = new BYTE[kInt64Bytes];
	for (int i = 0; i < kInt64Bytes; i++)
		p[i] = Int64Byte(value, i);
	FreeStorage();
	m_pBits = p;
	m_nBytes = kInt64Bytes;
	return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Comparisons

int BitField::operator==(const BitField& other) const
{
	if (m_nBytes != other.m_nBytes)
		return 0;
	return memcmp(m_pBits, other.m_pBits, static_cast<size_t>(m_nBytes)) == 0 ? 1 : 0;
}

int BitField::operator!=(const BitField& other) const
{
	return (*this == other) ? 0 : 1;
}

int BitField::operator==(__int64 value) const
{
	int nCommon = m_nBytes < kInt64Bytes ? m_nBytes : kInt64Bytes;
	for (int i = 0; i < nCommon; i++)
	{
		if (m_pBits[i] != Int64Byte(value, i))
			return 0;
	}
	for (int i = nCommon; i < m_nBytes; i++)
	{
		if (m_pBits[i] != 0)
			return 0;
	}
	for (int i = nCommon; i < kInt64Bytes; i++)
	{
		if (Int64Byte(value, i) != 0)
			return 0;
	}
	return 1;
}

int BitField::operator!=(__int64 value) const
{
	return (*this == value) ? 0 : 1;
}

/////////////////////////////////////////////////////////////////////////////
// Set operations

BitField BitField::operator|(const BitField& other) const
{
	const BitField& longer = m_nBytes >= other.m_nBytes ? *this : other;
	const BitField& shorter = m_nBytes >= other.m_nBytes ? other : *this;
	BitField result(longer);
	for (int i = 0; i < shorter.m_nBytes; i++)
		result.m_pBits[i] |= shorter.m_pBits[i];
	return result;
}

BitField BitField::operator&(const BitField& other) const
{
	int nLarger = m_nBytes > other.m_nBytes ? m_nBytes : other.m_nBytes;
	int nSmaller = m_nBytes < other.m_nBytes ? m_nBytes : other.m_nBytes;
	BitField result(nLarger, -1);
	for (int i = 0; i < nSmaller; i++)
		result.m_pBits[i] = static_cast<BYTE>(m_pBits[i] & other.m_pBits[i]);
	return result;
}

BitField BitField::operator~() const
{
	BitField result(*this);
	for (int i = 0; i < result.m_nBytes; i++)
		result.m_pBits[i] = static_cast<BYTE>(~result.m_pBits[i]);
	return result;
}

BitField& BitField::operator|=(const BitField& other)
{
	if (other.m_nBytes > m_nBytes)
		SetByteSize(other.m_nBytes);
	for (int i = 0; i < other.m_nBytes; i++)
		m_pBits[i] |= other.m_pBits[i];
	return *this;
}

BitField& BitField::operator&=(const BitField& other)
{
	if (other.m_nBytes > m_nBytes)
		SetByteSize(other.m_nBytes);
	for (int i = 0; i < other.m_nBytes; i++)
		m_pBits[i] &= other.m_pBits[i];
	for (int i = other.m_nBytes; i < m_nBytes; i++)
		m_pBits[i] = 0;
	return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Single bits and queries

int BitField::SetBit(int n)
{
	// n / 8 < m_nBytes rather than n < 8 * m_nBytes: the product could overflow.
	if (n < 0 || n / 8 >= m_nBytes)
		return 0;
	m_pBits[n / 8] |= static_cast<BYTE>(1 << (n % 8));
	return 1;
}

int BitField::ClearBit(int n)
{
	if (n < 0 || n / 8 >= m_nBytes)
		return 0;
	m_pBits[n / 8] &= static_cast<BYTE>(~(1 << (n % 8)));
	return 1;
}

void BitField::SetAll(int bSet)
{
	memset(m_pBits, bSet ? 0xFF : 0x00, static_cast<size_t>(m_nBytes));
}

int BitField::Count() const
{
	int nCount = 0;
	for (int i = 0; i < m_nBytes; i++)
	{
		for (int bit = 0; bit < 8; bit++)
		{
			if (m_pBits[i] & (1 << bit))
				nCount++;
		}
	}
	return nCount;
}

int BitField::GetNthBitPos(int n) const
{
	if (n < 0)
		return -1;
	int nSeen = 0;
	for (int i = 0; i < m_nBytes; i++)
	{
		if (m_pBits[i] == 0)
			continue;
		for (int bit = 0; bit < 8; bit++)
		{
			if (m_pBits[i] & (1 << bit))
			{
				if (nSeen == n)
					return i * 8 + bit;
				nSeen++;
			}
		}
	}
	return -1;
}

int BitField::FirstBitPosition() const
{
	return GetNthBitPos(0);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void BitField::FreeStorage()
{
	delete[] m_pBits;
	m_pBits = NULL;
	m_nBytes = 0;
}

void BitField::CopyFrom(const BitField& other)
{
	// The new bytes are allocated before the old ones go, so a failed
	// allocation leaves this field as it was.
	BYTE* p = new BYTE[other.m_nBytes];
	memcpy(p, other.m_pBits, static_cast<size_t>(other.m_nBytes));
	FreeStorage();
	m_pBits = p;
	m_nBytes = other.m_nBytes;
}

void BitField::SetByteSize(int nBytes)
{
	if (nBytes < 0)
		nBytes = 0;
	BYTE* p = AllocateZeroed(nBytes);
	int nKeep = m_nBytes < nBytes ? m_nBytes : nBytes;
	memcpy(p, m_pBits, static_cast<size_t>(nKeep));
	FreeStorage();
	m_pBits = p;
	m_nBytes = nBytes;
}
