#pragma once
// What every window procedure of the running program reaches: the logical threads, the
// settings file, the user-interface services and the folder of the program's files.

#include <filesystem>

#include "data/ThreadContext.h"
#include "platform/SettingsStore.h"
#include "platform/UiServices.h"

namespace ntx {

struct AppContext {
    ThreadRegistry& threads;
    SettingsStore& settings;
    UiServices ui;
    std::filesystem::path folder;
};

}  // namespace ntx
