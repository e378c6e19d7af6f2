#include "settings/SettingsMessage.h"

#include "settings/IniFile.h"
#include "ui/Unit1.h"

#include <QMessageBox>

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>
#include <utility>

namespace settings {
namespace {

void ShowMessageBox(const QString& text) {
    // No parent: the platform's default position, also before the window shows.
    QMessageBox box(QMessageBox::NoIcon, Form1 ? Form1->Caption() : QString(), text,
                    QMessageBox::Ok);
    box.exec();
}

MessageHook& Hook() {
    static MessageHook hook = ShowMessageBox;
    return hook;
}

std::string Demangled(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

} // namespace

MessageHook SetMessageHook(MessageHook hook) {
    MessageHook previous = std::move(Hook());
    Hook() = hook ? std::move(hook) : MessageHook(ShowMessageBox);
    return previous;
}

ErrorDescription Describe(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const ini::EIniFileException& e) {
        return {ini::EIniFileException::TypeName, e.what()};
    } catch (const std::exception& e) {
        return {Demangled(typeid(e)), e.what()};
    } catch (...) {
        return {"Exception", "Unknown error"};
    }
}

QString MessageText(const std::string& heading, const ErrorDescription& error) {
    return QString::fromStdString(heading) + QStringLiteral("\r\n\r\n") +
           QString::fromStdString(error.typeName) + QStringLiteral(": ") +
           QString::fromStdString(error.message);
}

void ShowMessage(const QString& text) {
    // A copy: the hook may replace itself while it runs.
    const MessageHook hook = Hook();
    hook(text);
}

} // namespace settings
