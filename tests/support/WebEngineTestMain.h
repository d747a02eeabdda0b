#pragma once

#include <QApplication>
#include <QTest>

#include <clocale>

// The main of a Qt Test suite that shows real web pages beside the media engine: the
// embedded pages and the video picture share OpenGL contexts, as in the program, and
// libmpv wants numbers formatted the C way.
#define VIDORRA_WEBENGINE_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char** argv)                                                                  \
    {                                                                                                \
        QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                      \
        QApplication app(argc, argv);                                                                \
        std::setlocale(LC_NUMERIC, "C");                                                             \
        TestClass test;                                                                              \
        return QTest::qExec(&test, argc, argv);                                                      \
    }
