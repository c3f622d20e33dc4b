// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <utility>

#include "core/common/Reason.h"

/** @brief What became of an operation that can fail: a kind and, when it failed, why, as a
 *  Reason each front end words. @p Kind is an enum class whose first enumerator (value 0) means
 *  done. Failures travel as these values, never as exceptions. */
template <typename Kind>
struct Result {
    Kind kind{};
    Reason reason;

    static Result done() { return {}; }
    static Result failed(Kind kind, Reason reason = {}) { return {kind, std::move(reason)}; }
    bool ok() const { return kind == Kind{}; }
    explicit operator bool() const { return ok(); }
};
