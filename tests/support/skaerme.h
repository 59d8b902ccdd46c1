#pragma once

#include <QApplication>
#include <QByteArrayList>
#include <QtTest>

#include <vector>

// The main of a widget test that needs screens of known sizes: offscreen,
// "Skaerm1" of 1600 x 1200 (the primary, its name sorts first) and to its
// right "Skaerm2" of 1366 x 768, the smallest common laptop screen.
#define MARVIKEL_TEST_MED_SKAERME(Klasse)                                                                        \
    int main(int argc, char **argv)                                                                              \
    {                                                                                                            \
        QByteArrayList argumenter;                                                                               \
        for (int i = 0; i < argc; ++i)                                                                           \
            argumenter << argv[i];                                                                               \
        argumenter << "-platform" << "offscreen:configfile=" MARVIKEL_SOURCE_DIR "/tests/support/skaerme.json"; \
        std::vector<char *> pegere;                                                                              \
        for (QByteArray &a : argumenter)                                                                         \
            pegere.push_back(a.data());                                                                          \
        int antal = int(pegere.size());                                                                          \
        pegere.push_back(nullptr);                                                                               \
        QApplication app(antal, pegere.data());                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                 \
        Klasse test;                                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                               \
        return QTest::qExec(&test, antal, pegere.data());                                                        \
    }
