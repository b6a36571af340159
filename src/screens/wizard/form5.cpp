#include "form5.h"

using namespace Qt::Literals::StringLiterals;

Form5::Form5()
{
    setWindowTitle(u" スタートアップ - zunoko"_s);
    setObjectName(u"Form5"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form5::Form_Load() {}
