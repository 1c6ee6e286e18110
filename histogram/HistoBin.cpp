// HistoBin.cpp - the bin record handed to CHistogram::SetHistogram.
#include "HistoBin.h"

HistoBin::HistoBin()
    : upper(0.0), count(0.0)
{
}

HistoBin::HistoBin(const HistoBin& other)
    : label(other.label), upper(other.upper), count(other.count)
{
}

HistoBin::~HistoBin()
{
}

HistoBin& HistoBin::operator=(const HistoBin& other)
{
    label = other.label;
    upper = other.upper;
    count = other.count;
    return *this;
}
