#include "form4.h"

using namespace Qt::Literals::StringLiterals;

Form4::Form4()
{
    setWindowTitle(u" (?_?) - zunoko"_s);
    setObjectName(u"Form4"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
