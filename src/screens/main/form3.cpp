#include "form3.h"

using namespace Qt::Literals::StringLiterals;

Form3::Form3()
{
    setWindowTitle(u" トルミな星取表 - zunoko"_s);
    setObjectName(u"Form3"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
