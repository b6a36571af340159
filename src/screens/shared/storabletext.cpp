// SPDX-License-Identifier: GPL-3.0-or-later
#include "storabletext.h"

#include "state/fieldcodec.h"

#include <QLineEdit>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

// A character the user may put into a box: one the file holds as it is.
bool mayBeTyped(QChar c)
{
    QByteArray ignored;
    return c != u'"' && !isControl(c) && !isRawByte(c) && !c.isSurrogate() &&
           encodeCodePage(QStringView(&c, 1), ignored);
}

bool mayBeTyped(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c != u'"' && !isControl(c) && !isRawByte(c); }) &&
           isStorableText(text);
}

} // namespace

QValidator::State StorableTextValidator::validate(QString &input, int &position) const
{
    if (mayBeTyped(input))
        return Acceptable;
    QString kept;
    kept.reserve(input.size());
    int cursor = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (mayBeTyped(input[i]))
            kept += input[i];
        else if (i < position)
            --cursor;
    }
    input = kept;
    position = cursor;
    if (auto *box = qobject_cast<QLineEdit *>(parent())) {
        QToolTip::showText(
            box->mapToGlobal(QPoint(0, box->height())),
            u"ファイルに保存できない文字（\"、改行などの制御文字、絵文字など）は入れられないため、除きました。"_s,
            box);
    }
    return Acceptable;
}

QString shownText(QStringView stored)
{
    QString shown = stored.toString();
    for (QChar &c : shown) {
        if (isRawByte(c) || isControl(c))
            c = u'〓';
    }
    return shown;
}

QString storedText(const QString &boxText, const QString &stored)
{
    return boxText == shownText(stored) ? stored : boxText;
}

QString addressForBrowser(QStringView address)
{
    QString text;
    text.reserve(address.size());
    for (QChar c : address) {
        if (isRawByte(c))
            text += u'%' + QString::number(rawByteOf(c), 16).toUpper().rightJustified(2, u'0');
        else
            text += c;
    }
    return text;
}
