// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "BigNatural.h"

#include <algorithm>

namespace ohmilka {

BigNatural::BigNatural(std::uint64_t value)
{
    for (; value != 0; value >>= 32) {
        resize(size_ + 1);
        limbs()[size_ - 1] = static_cast<std::uint32_t>(value);
    }
}

void BigNatural::resize(std::size_t size)
{
    if (size > inPlace && size_ <= inPlace) {
        spilled_.assign(inPlace_.begin(), inPlace_.begin() + static_cast<std::ptrdiff_t>(size_));
        std::fill(inPlace_.begin(), inPlace_.end(), 0);
    }
    if (size > inPlace)
        spilled_.resize(size);
    else if (size_ > inPlace) {
        std::copy(spilled_.begin(), spilled_.begin() + static_cast<std::ptrdiff_t>(size),
                  inPlace_.begin());
        spilled_.clear();
    } else
        std::fill(inPlace_.begin() + static_cast<std::ptrdiff_t>(size), inPlace_.end(), 0);
    size_ = size;
}

void BigNatural::trim()
{
    std::size_t size = size_;
    while (size > 0 && limbs()[size - 1] == 0)
        --size;
    resize(size);
}

BigNatural operator+(const BigNatural &a, const BigNatural &b)
{
    BigNatural sum;
    const std::size_t size = std::max(a.size_, b.size_);
    sum.resize(size + 1);
    std::uint32_t *limbs = sum.limbs();
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < size; ++i) {
        carry += std::uint64_t{a.limb(i)} + b.limb(i);
        limbs[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    limbs[size] = static_cast<std::uint32_t>(carry);
    sum.trim();
    return sum;
}

BigNatural operator-(const BigNatural &a, const BigNatural &b)
{
    BigNatural rest = a;
    std::uint32_t *limbs = rest.limbs();
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < rest.size_; ++i) {
        const std::int64_t limb = std::int64_t{limbs[i]} - borrow - std::int64_t{b.limb(i)};
        borrow = limb < 0 ? 1 : 0;
        limbs[i] = static_cast<std::uint32_t>(limb + (borrow << 32));
    }
    rest.trim();
    return rest;
}

BigNatural operator*(const BigNatural &a, const BigNatural &b)
{
    BigNatural product;
    if (a.isZero() || b.isZero())
        return product;
    product.resize(a.size_ + b.size_);
    std::uint32_t *limbs = product.limbs();
    const std::uint32_t *x = a.limbs(), *y = b.limbs();
    for (std::size_t i = 0; i < a.size_; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size_; ++j) {
            carry += std::uint64_t{x[i]} * y[j] + limbs[i + j];
            limbs[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        limbs[i + b.size_] = static_cast<std::uint32_t>(carry);
    }
    product.trim();
    return product;
}

std::strong_ordering operator<=>(const BigNatural &a, const BigNatural &b)
{
    if (a.size_ != b.size_)
        return a.size_ <=> b.size_;
    for (std::size_t i = a.size_; i-- > 0;)
        if (a.limb(i) != b.limb(i))
            return a.limb(i) <=> b.limb(i);
    return std::strong_ordering::equal;
}

double BigNatural::toDouble() const
{
    double value = 0;
    for (std::size_t i = size_; i-- > 0;)
        value = value * 4294967296.0 + limb(i);
    return value;
}

Difference difference(const BigNatural &a, const BigNatural &b)
{
    return a < b ? Difference{b - a, true} : Difference{a - b, false};
}

std::strong_ordering compareMagnitudes(const ExactFraction &a, const ExactFraction &b)
{
    return a.numerator * b.denominator <=> b.numerator * a.denominator;
}

double toDouble(const ExactFraction &fraction)
{
    const double magnitude = fraction.numerator.toDouble() / fraction.denominator.toDouble();
    return fraction.negative ? -magnitude : magnitude;
}

} // namespace ohmilka
