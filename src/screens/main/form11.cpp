#include "form11.h"

using namespace Qt::Literals::StringLiterals;

Form11::Form11()
{
    setWindowTitle(u" コピーのカスタマイズ - zunoko"_s);
    setObjectName(u"Form11"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
