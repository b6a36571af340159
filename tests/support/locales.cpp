// SPDX-License-Identifier: GPL-3.0-or-later
#include "locales.h"

#include <clocale>

void UnderEachLocale::SetUp()
{
    previousLocale = std::setlocale(LC_ALL, nullptr);
    previousQtLocale = QLocale();
    if (!std::setlocale(LC_ALL, GetParam()))
        GTEST_SKIP() << "the locale " << GetParam()
                     << " is not generated on this machine (scripts/install-deps generates it)";
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()).section(u'.', 0, 0)));
}

void UnderEachLocale::TearDown()
{
    std::setlocale(LC_ALL, previousLocale.c_str());
    QLocale::setDefault(previousQtLocale);
}

std::string localeTestName(const ::testing::TestParamInfo<const char *> &info)
{
    std::string name = info.param;
    return name.substr(0, name.find('.'));
}
