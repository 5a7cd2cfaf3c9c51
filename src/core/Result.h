#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// The error a store or service reports: the database's or the system's own text.
struct Error {
    QString text;
};

// A value or the error that kept it from being made.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const QString& error() const { return std::get<Error>(m_state).text; }

    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, Error> m_state;
};

// Success or the error of a command that gives back no value.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)) {}

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error->text; }

private:
    std::optional<Error> m_error;
};

using Status = Result<void>;
