#include "form7.h"

using namespace Qt::Literals::StringLiterals;

Form7::Form7()
{
    setWindowTitle(u" ( ・◇・) ? ?"_s);
    setObjectName(u"Form7"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
