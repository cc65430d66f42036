#pragma once

#include <QString>

#include <utility>

// How the core reports an outcome: success, or failure with a message a
// person can read (it names the file and keeps the system's own error text).
// A success may carry a message too: something the user should know.
class [[nodiscard]] Result {
public:
    static Result success(QString note = {}) { return Result(false, std::move(note)); }
    static Result failure(QString reason) { return Result(true, std::move(reason)); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &message() const { return m_message; }

private:
    Result(bool failed, QString message) : m_failed(failed), m_message(std::move(message)) {}

    bool m_failed;
    QString m_message;
};
