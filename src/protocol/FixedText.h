// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace telvorin {

// A zero-terminated 8-bit text of fixed capacity. Capacity counts the terminating NUL,
// so FixedText<16> holds at most 15 characters. Every write cuts to capacity; a text is
// also cut at an embedded NUL, as a C string copy would.
template <std::size_t Capacity> class FixedText {
    static_assert(Capacity >= 1);

public:
    static constexpr std::size_t capacity = Capacity;
    static constexpr std::size_t maxLength = Capacity - 1;

    FixedText() { bytes_.fill('\0'); }
    FixedText(std::string_view text) { assign(text); } // NOLINT(google-explicit-constructor)

    FixedText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    void assign(std::string_view text)
    {
        const auto nul = text.find('\0');
        if (nul != std::string_view::npos)
            text = text.substr(0, nul);
        const std::size_t n = std::min(text.size(), maxLength);
        bytes_.fill('\0');
        if (n > 0) // an empty view may carry a null pointer
            std::memcpy(bytes_.data(), text.data(), n);
    }

    void clear() { bytes_.fill('\0'); }

    const char* c_str() const { return bytes_.data(); }
    std::string_view view() const { return std::string_view(bytes_.data(), size()); }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return std::strlen(bytes_.data()); }
    bool empty() const { return bytes_[0] == '\0'; }

    // The raw storage, for code that copies a field to the wire.
    const std::array<char, Capacity>& bytes() const { return bytes_; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, Capacity> bytes_;
};

} // namespace telvorin
