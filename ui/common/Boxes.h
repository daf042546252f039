// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace ui {

// A note that needs no answer: `text` under `title`, with OK. `name` is the box's object name.
void showNote(QWidget* parent, const QString& title, const QString& text, const QString& name);

// What a failed save was to keep.
enum class Saved { Configuration, Traffic };

// The one box that says a save failed: where, why, and that a file of that name is as it was
// (saves go through a temporary file). `name` is the box's object name.
void showSaveFailed(QWidget* parent, const QString& title, Saved what, const QString& path,
                    const QString& reason, const QString& name = QStringLiteral("saveFailed"));

}  // namespace ui
