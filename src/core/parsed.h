#pragma once

// What reading something gives: either the value it holds or the problem that keeps it from
// holding one. The problem is what happened, for the caller to put into words.
#include <optional>
#include <string>
#include <utility>

template <class Value, class Problem = std::string>
class Parsed {
public:
    Parsed(Value value) : m_value(std::move(value)) {}
    static Parsed Refused(Problem problem) {
        Parsed refused;
        refused.m_problem = std::move(problem);
        return refused;
    }

    explicit operator bool() const { return m_value.has_value(); }
    const Value& operator*() const { return *m_value; }
    const Value* operator->() const { return &*m_value; }
    // Why there is no value; a default problem when there is one.
    const Problem& Reason() const { return m_problem; }

private:
    Parsed() = default;

    std::optional<Value> m_value;
    Problem m_problem{};
};
