#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {
class MessageBoxes;
}

namespace common {

// Where users are asked to send a screenshot of an unexpected error.
inline constexpr char kSupportAddress[] = "support@mellovan.example";

// The text of the "Application Error" box for a failure at a numbered line of a procedure.
QString applicationErrorText(const QString& description, const QString& location, int label);

// The procedure error trap: each statement runs on its own; a failure shows the
// "Application Error" box and the procedure goes on with the next statement.
//
//     Trap trap(boxes, this, "Form1.Form_Load");
//     trap.step(102, [&] { ... });
//     if (trap.test(108, [&] { return ...; })) { ... }   // a failed test goes into the block
class Trap {
  public:
    Trap(platform::MessageBoxes& boxes, QWidget* owner, QString location);

    // Runs one statement; false when it failed (the box has been shown).
    bool step(int label, const std::function<void()>& statement);
    // Evaluates a condition; a condition that fails counts as true.
    bool test(int label, const std::function<bool()>& condition);

    int failures() const { return failures_; }

  private:
    void report(const QString& description);

    platform::MessageBoxes& boxes_;
    QWidget* owner_;
    QString location_;
    int lastLabel_ = 0;
    int failures_ = 0;
};

} // namespace common
