#include "form9.h"

using namespace Qt::Literals::StringLiterals;

Form9::Form9()
{
    setWindowTitle(u"　(´＿｀。)"_s);
    setObjectName(u"Form9"_s);
    setAttribute(Qt::WA_DeleteOnClose);
}
