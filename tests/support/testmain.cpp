#include "testsupport.h"

#include "framework/application.h"

#include <QByteArray>
#include <QMetaMethod>
#include <QTest>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<const char *, TestFactory>> &tests()
{
    static std::vector<std::pair<const char *, TestFactory>> all;
    return all;
}

// QtTest options that take the next argument as their value.
bool takesValue(const QByteArray &option)
{
    static const std::set<QByteArray> withValue = {
        "-o", "-maxwarnings", "-eventdelay", "-keydelay", "-mousedelay", "-iterations", "-median",
        "-minimumvalue", "-minimumtotal", "-perfcounter", "-seed", "-repeat", "-platform"};
    return withValue.count(option) > 0;
}

bool hasTestFunction(const QMetaObject *meta, const QByteArray &name)
{
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Slot && method.name() == name)
            return true;
    }
    return false;
}
} // namespace

bool registerTest(const char *name, TestFactory factory)
{
    tests().emplace_back(name, std::move(factory));
    return true;
}

// Runs every test class of the module; the exit status counts the failures.
// Test functions named on the command line (as "function" or "function:tag",
// or a whole class by its name) go only to the classes that have them, so one
// test runs by name although the module holds several classes.
int main(int argc, char **argv)
{
    fw::Application application(argc, argv);

    QList<QByteArray> options;
    QList<QByteArray> selected;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith('-')) {
            options.append(arg);
            if (takesValue(arg) && i + 1 < argc)
                options.append(argv[++i]);
        } else {
            selected.append(arg);
        }
    }

    std::vector<bool> found(selected.size(), false);
    int failures = 0;
    for (auto &[name, factory] : tests()) {
        std::unique_ptr<QObject> test = factory();
        QList<QByteArray> arguments{QByteArray(argv[0])};
        arguments += options;
        bool run = selected.isEmpty();
        for (qsizetype i = 0; i < selected.size(); ++i) {
            if (selected[i] == name) {
                found[i] = true;
                run = true;
            } else if (hasTestFunction(test->metaObject(), selected[i].split(':').first())) {
                found[i] = true;
                run = true;
                arguments.append(selected[i]);
            }
        }
        if (!run)
            continue;
        std::vector<char *> pointers;
        for (QByteArray &argument : arguments)
            pointers.push_back(argument.data());
        failures += QTest::qExec(test.get(), int(pointers.size()), pointers.data());
    }
    for (qsizetype i = 0; i < selected.size(); ++i) {
        if (!found[i]) {
            std::fprintf(stderr, "No test class of this module has the function %s\n",
                         selected[i].constData());
            ++failures;
        }
    }
    return failures;
}
