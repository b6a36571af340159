// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include "twips.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <chrono>
#include <cstdlib>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString applicationTitle = u"TolmiShiki"_s;

QWidget *activeParent()
{
    return QApplication::activeWindow();
}

void showMessageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, activeParent());
    box.exec();
}

bool askWithTwoAnswers(const QString &text, const QString &yes, const QString &no)
{
    QMessageBox box(QMessageBox::Question, applicationTitle, text, QMessageBox::NoButton,
                    activeParent());
    QPushButton *first = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *second = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(second);
    box.setEscapeButton(second);
    box.exec();
    return box.clickedButton() == first;
}

std::optional<std::int32_t> pickColourWithDialog(std::int32_t initial)
{
    const QColor chosen = QColorDialog::getColor(colourFromBgr(initial), activeParent());
    if (!chosen.isValid())
        return std::nullopt;
    return bgrFromColour(chosen);
}

// Qt's own dialog rather than the desktop's: it speaks the program's language with Qt's
// translations, and behaves the same under every desktop.
QString pickFile(QFileDialog::AcceptMode mode, const QString &title, const QString &start,
                 const QString &filter)
{
    QFileDialog dialog(activeParent(), title, start, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptSave) {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QFileInfo(start).suffix());
        dialog.selectFile(QFileInfo(start).fileName());
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QSize> primaryScreenTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QSize pixels = screen->size();
    return QSize(pixels.width() * TwipsPerPixel, pixels.height() * TwipsPerPixel);
}

double drawFromClock()
{
    static std::mt19937_64 generator;
    generator.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

} // namespace

PlatformServices realPlatformServices()
{
    PlatformServices services;
    services.showMessage = showMessageBox;
    services.askQuestion = askWithTwoAnswers;
    services.pickColour = pickColourWithDialog;
    services.pickFileToOpen = [](const QString &title, const QString &folder,
                                 const QString &filter) {
        return pickFile(QFileDialog::AcceptOpen, title, folder, filter);
    };
    services.pickFileToSave = [](const QString &title, const QString &suggested,
                                 const QString &filter) {
        return pickFile(QFileDialog::AcceptSave, title, suggested, filter);
    };
    services.openAddress = [](const QString &address) {
        return QDesktopServices::openUrl(QUrl(address));
    };
    services.checkInstance = takeInstanceLocks;
    services.terminateProcess = [] { std::_Exit(0); };
    services.screenSizeTwips = primaryScreenTwips;
    services.now = [] { return QDateTime::currentDateTime(); };
    services.rnd = drawFromClock;
    return services;
}

PlatformServices &platform()
{
    static PlatformServices services = realPlatformServices();
    return services;
}
