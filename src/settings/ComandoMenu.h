#pragma once

#include <QString>

#include <functional>

// The main window's command entry: the settings dialogs tell the main window
// what changed by sending it a command ("atualizarmarca", "DirNotas", ...).
using ComandoMenu = std::function<void(const QString& comando)>;
