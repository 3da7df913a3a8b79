// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <type_traits>

class QWidget;

namespace platform {
class MessageBoxes;
}

namespace common {

// Where users are asked to send a screenshot of an unexpected error.
inline constexpr char kSupportAddress[] = "support@mellovan.example";

// The text of the "Application Error" box for a failure at a numbered line of a procedure.
QString applicationErrorText(const QString& description, const QString& location, int label);

// A statement handed to the trap: a reference to the caller's lambda, called in place. Unlike
// std::function it never copies the lambda onto the heap, which matters where a statement runs
// once per row of a large list or drop. It must not outlive the call it is passed to.
template <class Result> class Statement {
  public:
    template <class Callable>
    requires(!std::is_same_v<std::remove_cvref_t<Callable>, Statement> &&
             std::is_invocable_r_v<Result, Callable&>)
        Statement(Callable&& callable) // NOLINT: converts any lambda, as std::function does
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(callable)))),
          call_([](void* object) -> Result {
              return (*static_cast<std::remove_reference_t<Callable>*>(object))();
          }) {}

    Result operator()() const { return call_(object_); }

  private:
    void* object_;
    Result (*call_)(void*);
};

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
    bool step(int label, Statement<void> statement);
    // Evaluates a condition; a condition that fails counts as true.
    bool test(int label, Statement<bool> condition);

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
