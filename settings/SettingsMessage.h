#pragma once

// The one message of the settings operations: a heading, an empty line, the
// error's type name, ": " and its message, in the platform's plain message box.

#include <QString>

#include <exception>
#include <functional>
#include <string>

namespace settings {

// Shows the finished text. The default is a modal QMessageBox without an
// icon and with one OK button; tests replace it to capture the text.
using MessageHook = std::function<void(const QString& text)>;

// An empty hook puts the default back. Returns the hook that was in force.
MessageHook SetMessageHook(MessageHook hook);

// The type name and message of an error caught as std::exception_ptr:
// "EIniFileException" for the INI layer's refused write, the demangled C++
// type name for other standard exceptions, "Exception" for anything else.
struct ErrorDescription {
    std::string typeName;
    std::string message;
};
ErrorDescription Describe(const std::exception_ptr& error);

// heading + CR LF CR LF + type name + ": " + message.
QString MessageText(const std::string& heading, const ErrorDescription& error);

// Hands the text to the hook in force.
void ShowMessage(const QString& text);

} // namespace settings
