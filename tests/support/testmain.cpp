#include "testsupport.h"

#include "framework/application.h"

#include <QTest>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<const char *, TestFactory>> &tests()
{
    static std::vector<std::pair<const char *, TestFactory>> all;
    return all;
}
} // namespace

bool registerTest(const char *name, TestFactory factory)
{
    tests().emplace_back(name, std::move(factory));
    return true;
}

// Runs every test class of the module; the exit status counts the failures.
int main(int argc, char **argv)
{
    fw::Application application(argc, argv);
    int failures = 0;
    for (auto &[name, factory] : tests()) {
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
