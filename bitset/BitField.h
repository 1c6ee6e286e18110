/// @file BitField.h
/// A fixed-size set of bits sized in whole bytes.
///
/// Classes in this header:
/// - BitField: value class; bit n is bit (n % 8) of byte n / 8, so the field
///   reads as an unsigned little-endian integer of 8 * size bits.

#pragma once

#include <afx.h>

/// A fixed-size set of bits sized in whole bytes, copied by value. Bit n is
/// bit (n % 8) of byte n / 8, so the field reads as an unsigned little-endian
/// integer of 8 * size bits.
///
/// Not a window and not shared: a field is used by one thread at a time.
///
/// @par Example
/// @snippet host.cpp bitfield
class AFX_EXT_CLASS BitField
{
// Construction
public:
	/// nBytes bytes, all zero; then bit nInitialBit is set when it is not
	/// negative. A negative byte count gives an empty field.
	BitField(int nBytes, int nInitialBit);
	/// A copy of other's size and bits.
	BitField(const BitField& other);
	/// Frees the bytes.
	virtual ~BitField();

	/// Takes other's size and bits.
	BitField& operator=(const BitField& other);
	/// The size becomes 8 bytes holding value, least significant byte first.
	BitField& operator=(__int64 value);

// Comparisons (1 or 0)
	/// 1 when both have the same size and bits. Fields of different sizes
	/// are never equal.
	int operator==(const BitField& other) const;
	/// The negation of operator==.
	int operator!=(const BitField& other) const;
	/// Unsigned bit patterns of different lengths: the common bytes must match
	/// and every byte beyond them in the longer pattern must be zero.
	int operator==(__int64 value) const;
	/// The negation of operator==(__int64).
	int operator!=(__int64 value) const;

// Set operations (the shorter operand counts as extended with zero bytes)
	/// The union, as long as the longer operand.
	BitField operator|(const BitField& other) const;
	/// The intersection, as long as the longer operand.
	BitField operator&(const BitField& other) const;
	/// Every bit flipped, same size.
	BitField operator~() const;
	/// Adds other's bits; grows to other's size when that is larger.
	BitField& operator|=(const BitField& other);
	/// Keeps only the bits also in other; grows to other's size when that is
	/// larger.
	BitField& operator&=(const BitField& other);

// Single bits and queries
	/// Sets bit n: 1, or 0 (nothing changed) when n lies outside the field.
	int SetBit(int n);
	/// Clears bit n: 1, or 0 (nothing changed) when n lies outside the field.
	int ClearBit(int n);
	/// Sets (bSet non-zero) or clears every bit.
	void SetAll(int bSet);
	/// The number of set bits.
	int Count() const;
	/// Position of the set bit with exactly n set bits below it, or -1.
	int GetNthBitPos(int n) const;
	/// Position of the lowest set bit, or -1.
	int FirstBitPosition() const;

// Implementation
	/// @cond IMPLEMENTATION
protected:
	void FreeStorage();
	void CopyFrom(const BitField& other);
	void SetByteSize(int nBytes);

	int m_nBytes;
	BYTE* m_pBits;
	/// @endcond
};
