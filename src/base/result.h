#pragma once

#include <QString>

#include <utility>

// How the core reports an outcome: success, or failure with a reason a person
// can read (it names the file and keeps the system's own error text).
class [[nodiscard]] Result {
public:
    static Result success() { return Result(); }
    static Result failure(QString reason) { return Result(std::move(reason)); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &reason() const { return m_reason; }

private:
    Result() = default;
    explicit Result(QString reason) : m_failed(true), m_reason(std::move(reason)) {}

    bool m_failed = false;
    QString m_reason;
};
