// The program loads the chart and print code from the module beside it on
// first use, once; a module that cannot be loaded is reported each time.
#include "platform/dialogs.h"
#include "windows/printing/printing.h"

#include <QString>
#include <dlfcn.h>
#include <filesystem>
#include <system_error>

namespace {

const PrintingEntries* Entries = nullptr;

std::filesystem::path ModulePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::path(".") : program.parent_path()) / PrintingModuleName;
}

} // namespace

void UsePrintingLinkedIn(const PrintingEntries* entries) {
    Entries = entries;
}

const PrintingEntries* Printing(QWidget* owner) {
    if (Entries != nullptr) {
        return Entries;
    }
    const std::filesystem::path path = ModulePath();
    QString why;
    if (void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        using Entry = const PrintingEntries* (*)();
        if (auto entry = reinterpret_cast<Entry>(::dlsym(module, "TolmarPrintingEntries"))) {
            Entries = entry();
            return Entries;
        }
        why = QString::fromLocal8Bit(::dlerror());
        ::dlclose(module);
    } else {
        why = QString::fromLocal8Bit(::dlerror());
    }
    ShowMessageBox(owner,
                   QStringLiteral("グラフと印刷の機能を読み込めません。\n%1")
                       .arg(why.isEmpty() ? QString::fromStdString(path.string()) : why),
                   QStringLiteral("エラー"), MsgIcon::Stop);
    return nullptr;
}
