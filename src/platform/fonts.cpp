#include "fonts.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

QFont gothicFont(double pointSize)
{
    QFont font;
    font.setFamilies(
        QStringList{u"ＭＳ ゴシック"_s, u"MS Gothic"_s, u"IPAGothic"_s, u"Noto Sans CJK JP"_s});
    font.setPointSizeF(pointSize);
    return font;
}

QFont proportionalGothicFont(double pointSize)
{
    QFont font;
    font.setFamilies(
        QStringList{u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s});
    font.setPointSizeF(pointSize);
    return font;
}
