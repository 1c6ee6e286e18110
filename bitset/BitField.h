// BitField.h : a fixed-size set of bits sized in whole bytes
//
// Classes in this header:
//   BitField - value class; bit n is bit (n % 8) of byte n / 8, so the field
//              reads as an unsigned little-endian integer of 8 * size bits.

#pragma once

#include <afx.h>

class AFX_EXT_CLASS BitField
{
// Construction
public:
	// nBytes bytes, all zero; then bit nInitialBit is set when it is not
	// negative. A negative byte count gives an empty field.
	BitField(int nBytes, int nInitialBit);
	BitField(const BitField& other);
	virtual ~BitField();

	BitField& operator=(const BitField& other);
	// The size becomes 8 bytes holding value, least significant byte first.
	BitField& operator=(__int64 value);

// Comparisons (1 or 0)
	// Fields of different sizes are never equal.
	int operator==(const BitField& other) const;
	int operator!=(const BitField& other) const;
	// Unsigned bit patterns of different lengths: the common bytes must match
	// and every byte beyond them in the longer pattern must be zero.
	int operator==(__int64 value) const;
	int operator!=(__int64 value) const;

// Set operations (the shorter operand counts as extended with zero bytes)
	BitField operator|(const BitField& other) const;
	BitField operator&(const BitField& other) const;
	BitField operator~() const;
	BitField& operator|=(const BitField& other);
	BitField& operator&=(const BitField& other);

// Single bits and queries
	int SetBit(int n);
	int ClearBit(int n);
	void SetAll(int bSet);
	int Count() const;
	// Position of the set bit with exactly n set bits below it, or -1.
	int GetNthBitPos(int n) const;
	int FirstBitPosition() const;

// Implementation
protected:
	void FreeStorage();
	void CopyFrom(const BitField& other);
	void SetByteSize(int nBytes);

	int m_nBytes;
	BYTE* m_pBits;
};
