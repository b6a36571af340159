// SPDX-License-Identifier: GPL-3.0-or-later
#include "logtransfer.h"

#include "platform/controls.h"
#include "platform/platform.h"
#include "state/datafiles.h"
#include "state/logexport.h"
#include "state/textdecoding.h"
#include "state/weighingimport.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString fileKinds = u"CSV・テキストファイル (*.csv *.tsv *.txt);;すべてのファイル (*)"_s;

// Far more than a lifetime of weighings (about three million lines), and little enough to read
// into memory at once.
constexpr qsizetype largestImport = 64 * 1024 * 1024;

// The wait cursor while many lines are read and taken; put back before any message.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The program's own files are not to be replaced by an export: the next start would find them
// damaged.
bool isDataFile(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return false;
    for (const QString &dataFile : {yourDataPath(), customDataPath()}) {
        if (QFileInfo(dataFile).canonicalFilePath() == target)
            return true;
    }
    return false;
}

} // namespace

LogTransfer::LogTransfer(QTableView *table, WeightLog &log, std::function<QDate()> declarationDate,
                         std::function<void(std::vector<WeightLog::Entry>)> take)
    : QObject(table), table(table), log(log), declarationDate(std::move(declarationDate)),
      take(std::move(take)), tableMenu(new QMenu(table))
{
    tableMenu->setObjectName(u"logTransferMenu"_s);
    QAction *pasting = tableMenu->addAction(u"貼り付け"_s, this, &LogTransfer::paste);
    pasting->setShortcut(QKeySequence::Paste); // shown beside the entry; the table takes the key
    QAction *copying = tableMenu->addAction(u"コピー"_s, this, &LogTransfer::copy);
    copying->setShortcut(QKeySequence::Copy);
    tableMenu->addSeparator();
    tableMenu->addAction(u"ファイルから読み込む…"_s, this, &LogTransfer::importFile);
    tableMenu->addAction(u"ファイルに書き出す…"_s, this, &LogTransfer::exportFile);

    // A right click, and the Menu key or Shift+F10 on the focused table, ask for the menu through
    // this signal.
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    openMenuOnShiftF10(table);
    connect(table, &QWidget::customContextMenuRequested, this, &LogTransfer::showMenu);
    table->installEventFilter(this);
}

bool LogTransfer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != table || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    if (key->matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    return false;
}

void LogTransfer::showMenu(const QPoint &inTable)
{
    tableMenu->popup(table->viewport()->mapToGlobal(inTable));
}

void LogTransfer::paste()
{
    takeText(QGuiApplication::clipboard()->text());
}

void LogTransfer::copy() const
{
    QGuiApplication::clipboard()->setText(
        logClipboardText(log.entryCount(), [this](qsizetype i) { return log.rowTexts(i); }));
}

void LogTransfer::importFile()
{
    const QString path =
        platform().pickFileToOpen(u"ファイルから読み込む"_s, QDir::homePath(), fileKinds);
    if (path.isEmpty())
        return;
    // Read as the data files are: a named pipe or a device is refused unopened, never waited on.
    const FileReading reading = readDataFile(path, largestImport + 1);
    QString reason;
    if (reading.outcome == FileReading::Missing)
        reason = u"ファイルがありません"_s;
    else if (reading.outcome == FileReading::CannotOpen)
        reason = reading.problem.reason;
    else if (reading.bytes.size() > largestImport)
        reason = u"ファイルが大きすぎます（64MBまで）"_s;
    if (!reason.isEmpty()) {
        platform().showMessage(u"ファイルを読み込めませんでした。\nファイル: %1\n理由: %2"_s.arg(
            shownPath(path), reason));
        return;
    }
    takeText(decodeTextFile(reading.bytes));
}

void LogTransfer::takeText(QStringView text)
{
    WeighingImport result;
    {
        const WaitCursor waiting;
        WeighingKeys entries;
        entries.reserve(log.entryCount());
        for (int row = 1; row <= log.entryCount(); ++row)
            entries.insert(log.entry(row).date.view(), log.entry(row).weight.view());
        result = importWeighings(text, declarationDate(), entries);
        if (!result.taken.empty()) {
            std::vector<WeightLog::Entry> rows;
            rows.reserve(result.taken.size());
            for (const TakenWeighing &weighing : result.taken)
                rows.emplace_back(weighing.dateText, weighing.weightText);
            take(std::move(rows));
        }
    }
    platform().showMessage(result.message);
}

void LogTransfer::exportFile()
{
    const QString suggested = QDir(QDir::homePath()).filePath(u"体重の記録.csv"_s);
    // The dialog gives a name typed without a suffix the suggestion's, and asks before replacing.
    const QString path = platform().pickFileToSave(u"ファイルに書き出す"_s, suggested, fileKinds);
    if (path.isEmpty())
        return;
    const auto refuse = [&](const QString &reason) {
        platform().showMessage(u"ファイルに書き出せませんでした。\nファイル: %1\n理由: %2"_s.arg(
            shownPath(path), reason));
    };
    if (isDataFile(path))
        return refuse(u"このプログラムのデータファイルです。別の名前を付けてください"_s);
    const QByteArray bytes =
        logExportFileBytes(log.entryCount(), [this](qsizetype i) { return log.rowTexts(i); });
    QString error;
    if (!saveFile(path, bytes, &error))
        return refuse(error);
    const qsizetype written = bytes.count('\n') - 1; // below the heading line
    platform().showMessage(
        u"%1件の記録を書き出しました。\nファイル: %2"_s.arg(written).arg(shownPath(path)));
}
