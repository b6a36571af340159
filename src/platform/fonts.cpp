// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

// The families of the list that are installed, looked up once. Asking for families that are not
// there makes the first use of every font search the fallbacks for each of them again, which
// costs start-up about a sixth of its work.
QStringList installedFamilies(const QStringList &families)
{
    QStringList installed;
    for (const QString &family : families) {
        if (QFontDatabase::hasFamily(family))
            installed << family;
    }
    return installed.isEmpty() ? families : installed;
}

QFont fontOf(const QStringList &families, double pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont gothicFont(double pointSize)
{
    static const QStringList families = installedFamilies(
        {u"ＭＳ ゴシック"_s, u"MS Gothic"_s, u"IPAGothic"_s, u"Noto Sans CJK JP"_s});
    return fontOf(families, pointSize);
}

QFont proportionalGothicFont(double pointSize)
{
    static const QStringList families = installedFamilies(
        {u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s});
    return fontOf(families, pointSize);
}
