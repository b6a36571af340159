// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a test once under each kind of locale a user may have: the C locale, and the German and
// Turkish ones, whose decimal separator is a comma. Both the C library's locale and Qt's default
// locale are switched, as they are for a user who starts the program with LC_ALL=de_DE.UTF-8.

#include <QLocale>
#include <gtest/gtest.h>
#include <string>

class UnderEachLocale : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::string previousLocale;
    QLocale previousQtLocale;
};

std::string localeTestName(const ::testing::TestParamInfo<const char *> &info);

#define RUN_UNDER_EACH_LOCALE(Suite)                                                               \
    INSTANTIATE_TEST_SUITE_P(Locales, Suite,                                                       \
                             ::testing::Values("C.UTF-8", "de_DE.UTF-8", "tr_TR.UTF-8"),           \
                             localeTestName)
