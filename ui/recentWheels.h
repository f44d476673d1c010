#pragma once
// The wheels opened last, newest first, kept between runs; and the File >
// Open Recent menu that lists them.

#include <QStringList>

#include <functional>

class QMenu;

namespace quorvex::ui {

constexpr int kRecentWheels = 8;

QStringList RecentWheels();
void AddRecentWheel(const QString& path);
void ForgetRecentWheel(const QString& path);

// Fills `menu` afresh each time it opens: one entry a wheel, then "Clear list".
void FollowRecentWheels(QMenu* menu, std::function<void(const QString&)> open);

} // namespace quorvex::ui
