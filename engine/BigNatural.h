// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Natural numbers of any size, for exact comparisons of resistor networks and dividers, whose
// numerators outgrow 64 bits; portable where there is no 128-bit integer.

#include <array>
#include <compare>
#include <cstdint>
#include <vector>

namespace ohmilka {

class BigNatural
{
public:
    BigNatural() = default;
    BigNatural(std::uint64_t value); // NOLINT(google-explicit-constructor): a number is a number

    friend BigNatural operator+(const BigNatural &a, const BigNatural &b);
    friend BigNatural operator-(const BigNatural &a, const BigNatural &b); // a >= b
    friend BigNatural operator*(const BigNatural &a, const BigNatural &b);
    friend std::strong_ordering operator<=>(const BigNatural &a, const BigNatural &b);
    friend bool operator==(const BigNatural &a, const BigNatural &b)
    {
        return (a <=> b) == std::strong_ordering::equal;
    }

    bool isZero() const { return size_ == 0; }
    double toDouble() const; // nearest within a few units in the last place

private:
    // The numbers of a search stay within a few hundred bits: held in place, without the heap.
    static constexpr std::size_t inPlace = 16;

    std::uint32_t *limbs() { return size_ > inPlace ? spilled_.data() : inPlace_.data(); }
    const std::uint32_t *limbs() const
    {
        return size_ > inPlace ? spilled_.data() : inPlace_.data();
    }
    std::uint32_t limb(std::size_t i) const { return i < size_ ? limbs()[i] : 0; }
    void resize(std::size_t size); // new limbs are zero
    void trim();

    std::size_t size_ = 0; // limbs, least significant first, none of them leading zeros
    std::array<std::uint32_t, inPlace> inPlace_{};
    std::vector<std::uint32_t> spilled_;
};

// |a − b|, and whether a < b.
struct Difference {
    BigNatural magnitude;
    bool negative;
};
Difference difference(const BigNatural &a, const BigNatural &b);

// A signed fraction with natural parts: numerator / denominator, the denominator above 0.
struct ExactFraction {
    BigNatural numerator;
    BigNatural denominator{1};
    bool negative = false;
};
// Compares |a| with |b|.
std::strong_ordering compareMagnitudes(const ExactFraction &a, const ExactFraction &b);
double toDouble(const ExactFraction &fraction);

} // namespace ohmilka
