// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopsetup.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <cstdio>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xcb.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Said on standard error when there is no display to show the windows on.
constexpr char noDisplayMessage[] =
    "トルミ式: デスクトップの画面に接続できません。"
    "デスクトップのセッションの中で起動してください。\n"
    "TolmiShiki: cannot connect to a desktop display; start it within a desktop session.\n";

// "runtime-<user>" in the temporary folder, made when missing; empty unless it is the user's own
// and private, as a runtime folder must be.
QByteArray privateRuntimeFolder()
{
    const passwd *user = ::getpwuid(::getuid());
    if (!user)
        return {};
    const QByteArray folder =
        QFile::encodeName(QDir::tempPath()) + "/runtime-" + QByteArray(user->pw_name);
    ::mkdir(folder.constData(), 0700);
    struct stat status
    {
    };
    if (::lstat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::getuid() || (status.st_mode & 0777) != 0700)
        return {};
    return folder;
}

} // namespace

void prepareQtEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        if (const QByteArray folder = privateRuntimeFolder(); !folder.isEmpty())
            qputenv("XDG_RUNTIME_DIR", folder);
    }
}

bool desktopDisplayReachable()
{
    if (qgetenv("QT_QPA_PLATFORM").split(':').constFirst() != "xcb")
        return true;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!reachable)
        std::fputs(noDisplayMessage, stderr);
    return reachable;
}

void prepareQtApplication()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(u"qtbase_ja"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // The colour dialog keeps its custom colours in a settings file of Qt's; pointed at a folder
    // that can never be made, they live for the running program only.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, u"/dev/null"_s);
    }
}
