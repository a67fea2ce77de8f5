#pragma once
// Shared by the window tests: the registry of test classes (one per file,
// run by name from main.cpp) and small helpers.
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace nottaro::test {

using CreaTest = std::function<std::unique_ptr<QObject>()>;
std::map<QString, CreaTest>& RegistroTestUi();

struct RegistraTestUi {
    RegistraTestUi(const char* nome, CreaTest crea) { RegistroTestUi()[QString::fromLatin1(nome)] = std::move(crea); }
};

}  // namespace nottaro::test

// Registers test class `Classe` under its own name (also the file's name).
#define NOTTARO_TEST_UI(Classe) \
    static ::nottaro::test::RegistraTestUi registra##Classe(#Classe, [] { return std::make_unique<Classe>(); })
