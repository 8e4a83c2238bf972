#pragma once

#include <QString>

#include <optional>

// The state of a task's status lamp, as the store keeps it under
// "StatusIn"/"Color" + i.
namespace bewahrix::lampen {

enum class Zustand { Grau, Gruen, Gelb, Rot };

// Absent or empty: grey; "0" green; "3" yellow; any other number red. Text
// that is no number gives nothing: the caller leaves the lamp as it is.
std::optional<Zustand> ausCode(const std::optional<QString>& code);

// The hover text of a lamp in this state.
QString hinweis(Zustand zustand);

}  // namespace bewahrix::lampen
