#pragma once

// What reading something back gives: either the value it holds or the reason it holds none, said
// so that it can follow "cannot be read: " or a path and a colon.
#include <optional>
#include <string>
#include <utility>

template <class Value>
class Parsed {
public:
    Parsed(Value value) : m_value(std::move(value)) {}
    static Parsed Refused(std::string reason) {
        Parsed refused;
        refused.m_reason = std::move(reason);
        return refused;
    }

    explicit operator bool() const { return m_value.has_value(); }
    const Value& operator*() const { return *m_value; }
    const Value* operator->() const { return &*m_value; }
    // Why there is no value; empty when there is one.
    const std::string& Reason() const { return m_reason; }

private:
    Parsed() = default;

    std::optional<Value> m_value;
    std::string m_reason;
};
