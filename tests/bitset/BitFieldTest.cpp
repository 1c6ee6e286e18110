// Tests of BitField through its public interface only: the bytes of a field
// are read back from its set-bit positions and its size from where SetBit
// starts to refuse.

#include "BitField.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{

typedef std::vector<uint8_t> Bytes;

// Size in bytes: the first bit position that SetBit refuses, divided by 8.
int ByteSizeOf(const BitField& field)
{
	BitField probe(field);
	int hi = 1;
	while (probe.SetBit(8 * hi - 1))
		hi *= 2;
	int lo = hi / 2;                       // SetBit(8*lo-1) worked (or lo == 0)
	while (hi - lo > 1)
	{
		int mid = (lo + hi) / 2;
		if (probe.SetBit(8 * mid - 1))
			lo = mid;
		else
			hi = mid;
	}
	return lo;
}

Bytes BytesOf(const BitField& field)
{
	Bytes bytes(static_cast<size_t>(ByteSizeOf(field)), 0);
	for (int n = 0;; n++)
	{
		int pos = field.GetNthBitPos(n);
		if (pos < 0)
			break;
		bytes.at(static_cast<size_t>(pos / 8)) |= static_cast<uint8_t>(1u << (pos % 8));
	}
	return bytes;
}

BitField MakeField(const Bytes& bytes)
{
	BitField field(static_cast<int>(bytes.size()), -1);
	for (size_t i = 0; i < bytes.size(); i++)
		for (int bit = 0; bit < 8; bit++)
			if (bytes[i] & (1u << bit))
				field.SetBit(static_cast<int>(i * 8) + bit);
	return field;
}

std::string Hex(const Bytes& bytes)
{
	std::ostringstream out;
	out << "{";
	for (size_t i = 0; i < bytes.size(); i++)
	{
		static const char digits[] = "0123456789ABCDEF";
		out << (i ? " " : "") << digits[bytes[i] >> 4] << digits[bytes[i] & 15];
	}
	out << "}";
	return out.str();
}

#define EXPECT_BYTES(expected, field) \
	EXPECT_EQ(Hex(expected), Hex(BytesOf(field)))

} // namespace

TEST(BitFieldBits, ConstructorSetsTheInitialBitOnly)
{
	BitField field(2, 3);
	EXPECT_BYTES((Bytes{0x08, 0x00}), field);
	EXPECT_EQ(1, field.Count());
	EXPECT_EQ(3, field.FirstBitPosition());
	EXPECT_EQ(1, field == 8);
	EXPECT_EQ(0, field != 8);
}

TEST(BitFieldBits, SetAndClearStayInsideTheField)
{
	BitField field(2, -1);
	EXPECT_BYTES((Bytes{0x00, 0x00}), field);
	EXPECT_EQ(-1, field.FirstBitPosition());
	EXPECT_EQ(0, field.SetBit(16));
	EXPECT_EQ(0, field.SetBit(-1));
	EXPECT_BYTES((Bytes{0x00, 0x00}), field);
	EXPECT_EQ(1, field.SetBit(15));
	EXPECT_BYTES((Bytes{0x00, 0x80}), field);
	EXPECT_EQ(1, field.SetBit(0));
	EXPECT_EQ(0, field.ClearBit(16));
	EXPECT_EQ(0, field.ClearBit(-3));
	EXPECT_BYTES((Bytes{0x01, 0x80}), field);
	EXPECT_EQ(1, field.ClearBit(15));
	EXPECT_EQ(1, field.ClearBit(15));        // clearing a clear bit still succeeds
	EXPECT_BYTES((Bytes{0x01, 0x00}), field);

	// The range check does not overflow for positions near INT_MAX.
	EXPECT_EQ(0, field.SetBit(0x7FFFFFFF));
	EXPECT_EQ(0, field.ClearBit(0x7FFFFFFF));
}

TEST(BitFieldBits, EmptyAndNegativeSizedFieldsHoldNoBits)
{
	BitField empty(0, 0);
	EXPECT_EQ(0, empty.SetBit(0));
	EXPECT_EQ(0, empty.Count());
	EXPECT_EQ(-1, empty.FirstBitPosition());
	empty.SetAll(1);
	EXPECT_EQ(0, empty.Count());
	EXPECT_EQ(1, empty == 0);
	EXPECT_EQ(0, empty == 1);

	// A negative byte count is taken as zero rather than reaching the allocator.
	BitField negative(-5, 2);
	EXPECT_EQ(0, ByteSizeOf(negative));
	EXPECT_EQ(0, negative.Count());
	EXPECT_EQ(1, negative == empty);
	BitField huge(-0x7FFFFFFF - 1, -1);
	EXPECT_EQ(0, ByteSizeOf(huge));
}

TEST(BitFieldBits, NthPositionCountsSetBitsBelow)
{
	BitField field(3, 3);
	field.SetBit(9);
	EXPECT_EQ(3, field.GetNthBitPos(0));
	EXPECT_EQ(9, field.GetNthBitPos(1));
	EXPECT_EQ(-1, field.GetNthBitPos(2));
	EXPECT_EQ(-1, field.GetNthBitPos(-1));
	field.SetAll(5);                          // any non-zero value sets
	EXPECT_EQ(24, field.Count());
	EXPECT_EQ(23, field.GetNthBitPos(23));
}

TEST(BitFieldCompare, FieldsOfDifferentSizesAreNeverEqual)
{
	BitField two = MakeField({0x12, 0x34});
	BitField three = MakeField({0x12, 0x34, 0x00});
	EXPECT_EQ(0, two == three);
	EXPECT_EQ(1, two != three);
	EXPECT_EQ(1, two == MakeField({0x12, 0x34}));
	EXPECT_EQ(0, two != MakeField({0x12, 0x34}));
	EXPECT_EQ(0, two == MakeField({0x12, 0x35}));
	EXPECT_EQ(1, BitField(0, -1) == BitField(0, 4));
}

// One row: field bytes, integer, expected result of ==.
struct Int64Case
{
	Bytes bytes;
	__int64 value;
	int equal;
};

class BitFieldInt64Compare : public ::testing::TestWithParam<Int64Case>
{
};

TEST_P(BitFieldInt64Compare, ComparesAsUnsignedPatterns)
{
	const Int64Case& c = GetParam();
	BitField field = MakeField(c.bytes);
	EXPECT_EQ(c.equal, field == c.value) << Hex(c.bytes) << " == " << c.value;
	EXPECT_EQ(1 - c.equal, field != c.value);
}

static const Bytes kOnes8(8, 0xFF);
static const Bytes kOnes9Low = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
static const Bytes kOnes9High = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01};

INSTANTIATE_TEST_SUITE_P(Table, BitFieldInt64Compare, ::testing::Values(
	Int64Case{kOnes8, -1, 1},
	Int64Case{{0xFF, 0xFF, 0xFF, 0xFF}, -1, 0},          // bytes 4..7 of -1 are not zero
	Int64Case{{0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFFLL, 1},
	Int64Case{kOnes9Low, -1, 1},
	Int64Case{kOnes9High, -1, 0},                        // ninth byte must be zero
	Int64Case{{0x00, 0x01}, 0x100, 1},
	Int64Case{{0x00, 0x01}, 0x10100, 0},
	Int64Case{{0x01}, 0x101, 0},
	Int64Case{{}, 0, 1},
	Int64Case{{}, 0x100000000LL, 0},
	Int64Case{{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}, static_cast<__int64>(0x8000000000000000ULL), 1},
	Int64Case{{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00},
	          static_cast<__int64>(0x8000000000000000ULL), 1}));

TEST(BitFieldAssign, FromInt64TakesEightBytesLeastSignificantFirst)
{
	BitField field(2, 1);
	field = static_cast<__int64>(0x0807060504030201LL);
	EXPECT_BYTES((Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}), field);
	field = -1;
	EXPECT_BYTES(kOnes8, field);
	EXPECT_EQ(1, field == -1);
	BitField wide(20, 150);
	wide = -2;
	EXPECT_BYTES((Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), wide);
}

TEST(BitFieldAssign, SelfAssignmentKeepsTheField)
{
	BitField field = MakeField({0x81, 0x42});
	BitField& alias = field;
	BitField& result = (field = alias);
	EXPECT_EQ(&field, &result);
	EXPECT_BYTES((Bytes{0x81, 0x42}), field);

	field |= alias;
	EXPECT_BYTES((Bytes{0x81, 0x42}), field);
	field &= alias;
	EXPECT_BYTES((Bytes{0x81, 0x42}), field);
}

TEST(BitFieldSetOps, OrAndComplementOfDifferentSizes)
{
	BitField a(2, 0);
	a.SetBit(9);
	BitField b(4, 20);
	EXPECT_BYTES((Bytes{0x01, 0x02, 0x10, 0x00}), a | b);
	EXPECT_BYTES((Bytes{0x01, 0x02, 0x10, 0x00}), b | a);

	BitField ones(4, -1);
	ones.SetAll(1);
	BitField low = MakeField({0xFF, 0x00});
	EXPECT_BYTES((Bytes{0xFF, 0x00, 0x00, 0x00}), ones & low);
	EXPECT_BYTES((Bytes{0xFF, 0x00, 0x00, 0x00}), low & ones);
	EXPECT_BYTES((Bytes{0x00, 0xFF}), ~low);
	EXPECT_BYTES((Bytes{0xFF, 0x00}), low);      // the operands stay as they were
	EXPECT_EQ(0, ByteSizeOf(~BitField(0, -1)));
}

TEST(BitFieldSetOps, CompoundOperatorsGrowButNeverShrink)
{
	BitField ones(4, -1);
	ones.SetAll(1);
	BitField low = MakeField({0xFF, 0x00});
	BitField& r = (ones &= low);
	EXPECT_EQ(&ones, &r);
	EXPECT_BYTES((Bytes{0xFF, 0x00, 0x00, 0x00}), ones);

	BitField shortAnd = MakeField({0xF0});
	shortAnd &= MakeField({0x3C, 0xFF, 0xFF});
	EXPECT_BYTES((Bytes{0x30, 0x00, 0x00}), shortAnd);

	BitField shortOr = MakeField({0x01});
	shortOr |= MakeField({0x10, 0x20});
	EXPECT_BYTES((Bytes{0x11, 0x20}), shortOr);

	BitField longOr = MakeField({0x01, 0x02, 0x03});
	longOr |= MakeField({0x80});
	EXPECT_BYTES((Bytes{0x81, 0x02, 0x03}), longOr);
}

// Many random operations on a pool of fields, each mirrored on a plain byte
// vector; every result is compared with the model's.
namespace
{

struct Model
{
	Bytes bytes;

	int Set(int n, bool on)
	{
		if (n < 0 || n >= static_cast<int>(bytes.size()) * 8)
			return 0;
		uint8_t mask = static_cast<uint8_t>(1u << (n % 8));
		if (on)
			bytes[static_cast<size_t>(n / 8)] |= mask;
		else
			bytes[static_cast<size_t>(n / 8)] &= static_cast<uint8_t>(~mask);
		return 1;
	}
	std::vector<int> Positions() const
	{
		std::vector<int> out;
		for (size_t i = 0; i < bytes.size(); i++)
			for (int bit = 0; bit < 8; bit++)
				if (bytes[i] & (1u << bit))
					out.push_back(static_cast<int>(i * 8) + bit);
		return out;
	}
	static Model Combine(const Model& a, const Model& b, bool isOr)
	{
		Model r;
		size_t n = a.bytes.size() > b.bytes.size() ? a.bytes.size() : b.bytes.size();
		r.bytes.assign(n, 0);
		for (size_t i = 0; i < n; i++)
		{
			uint8_t x = i < a.bytes.size() ? a.bytes[i] : 0;
			uint8_t y = i < b.bytes.size() ? b.bytes[i] : 0;
			r.bytes[i] = static_cast<uint8_t>(isOr ? (x | y) : (x & y));
		}
		return r;
	}
	int EqualsInt64(__int64 v) const
	{
		uint64_t u = static_cast<uint64_t>(v);
		size_t n = bytes.size() > 8 ? bytes.size() : 8;
		for (size_t i = 0; i < n; i++)
		{
			uint8_t mine = i < bytes.size() ? bytes[i] : 0;
			uint8_t theirs = i < 8 ? static_cast<uint8_t>(u >> (8 * i)) : 0;
			if (mine != theirs)
				return 0;
		}
		return 1;
	}
	__int64 AsInt64() const
	{
		uint64_t u = 0;
		for (size_t i = 0; i < bytes.size() && i < 8; i++)
			u |= static_cast<uint64_t>(bytes[i]) << (8 * i);
		return static_cast<__int64>(u);
	}
};

} // namespace

TEST(BitFieldRandom, AgreesWithAByteModel)
{
	const unsigned kSeed = 20240611u;
	std::mt19937 rng(kSeed);
	auto pick = [&](int lo, int hi) {
		return std::uniform_int_distribution<int>(lo, hi)(rng);
	};

	const int kPool = 6;
	std::vector<BitField> fields;
	std::vector<Model> models(kPool);
	for (int i = 0; i < kPool; i++)
	{
		int size = pick(0, 20);
		fields.push_back(BitField(size, -1));
		models[static_cast<size_t>(i)].bytes.assign(static_cast<size_t>(size), 0);
	}

	for (int step = 0; step < 6000; step++)
	{
		size_t a = static_cast<size_t>(pick(0, kPool - 1));
		size_t b = static_cast<size_t>(pick(0, kPool - 1));
		BitField& fa = fields[a];
		Model& ma = models[a];
		int op = pick(0, 12);
		int bits = static_cast<int>(ma.bytes.size()) * 8;
		SCOPED_TRACE(::testing::Message() << "seed " << kSeed << " step " << step << " op " << op
		                                  << " a " << Hex(ma.bytes) << " b " << Hex(models[b].bytes));
		switch (op)
		{
		case 0: { int n = pick(-3, bits + 3); ASSERT_EQ(ma.Set(n, true), fa.SetBit(n)); break; }
		case 1: { int n = pick(-3, bits + 3); ASSERT_EQ(ma.Set(n, false), fa.ClearBit(n)); break; }
		case 2: { int on = pick(0, 3); fa.SetAll(on); ma.bytes.assign(ma.bytes.size(), on ? 0xFF : 0); break; }
		case 3: fa |= fields[b]; ma = Model::Combine(ma, models[b], true); break;
		case 4: fa &= fields[b]; ma = Model::Combine(ma, models[b], false); break;
		case 5: fa = fields[a] | fields[b]; ma = Model::Combine(ma, models[b], true); break;
		case 6: fa = fields[a] & fields[b]; ma = Model::Combine(ma, models[b], false); break;
		case 7: fa = ~fields[b]; { Model m = models[b]; for (auto& x : m.bytes) x = static_cast<uint8_t>(~x); ma = m; } break;
		case 8: fa = fields[b]; ma = models[b]; break;
		case 9:
		{
			__int64 v = static_cast<__int64>((static_cast<uint64_t>(rng()) << 32) | rng());
			if (pick(0, 1))
				v = models[b].AsInt64();              // often equal, to reach the true branch
			ASSERT_EQ(ma.EqualsInt64(v), fa == v);
			ASSERT_EQ(1 - ma.EqualsInt64(v), fa != v);
			if (pick(0, 5) == 0)
			{
				fa = v;
				ma.bytes.assign(8, 0);
				for (size_t i = 0; i < 8; i++)
					ma.bytes[i] = static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i));
			}
			break;
		}
		case 10:
			ASSERT_EQ(ma.bytes == models[b].bytes ? 1 : 0, fa == fields[b]);
			ASSERT_EQ(ma.bytes == models[b].bytes ? 0 : 1, fa != fields[b]);
			break;
		case 11:
		{
			std::vector<int> pos = ma.Positions();
			ASSERT_EQ(static_cast<int>(pos.size()), fa.Count());
			int n = pick(-1, static_cast<int>(pos.size()) + 1);
			int expected = (n >= 0 && n < static_cast<int>(pos.size())) ? pos[static_cast<size_t>(n)] : -1;
			ASSERT_EQ(expected, fa.GetNthBitPos(n));
			ASSERT_EQ(pos.empty() ? -1 : pos[0], fa.FirstBitPosition());
			break;
		}
		case 12:
		{
			// Replace with a fresh field now and then, so sizes keep changing.
			int size = pick(0, 20);
			int first = pick(-2, size * 8 + 2);
			fa = BitField(size, first);
			ma.bytes.assign(static_cast<size_t>(size), 0);
			if (first >= 0)
				ma.Set(first, true);
			break;
		}
		}
		ASSERT_EQ(Hex(ma.bytes), Hex(BytesOf(fa)));
	}
}
