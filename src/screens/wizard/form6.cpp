#include "form6.h"

using namespace Qt::Literals::StringLiterals;

Form6::Form6()
{
    setWindowTitle(u"  ( ・◇・) ? ... 入力データは開始してからでも変更できます"_s);
    setObjectName(u"Form6"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
