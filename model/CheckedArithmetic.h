#pragma once

// Floating-point arithmetic whose faults the model must notice.
//
// Every stored result of the load chain and the scenario comparison is
// followed by a look at the processor's floating-point status: an invalid
// operation, a division by zero or an overflow raised since the previous look
// stops the running model operation with an error naming the condition.
// Underflow and inexact results are harmless here and are ignored.
//
// The operations live out of line and pass their operands and result through
// volatile storage, so that no compiler can fold a faulting operation at
// compile time, drop it as unused, or move it to the other side of the status
// test (compilers do not otherwise treat the floating-point status as
// something that orders code).

namespace siltmere::fp {

// Forgets every status raised so far; each model operation starts with this,
// so faults raised elsewhere in the program (the window toolkit, say) are
// never charged to the model.
void clearStatus();

// Throws ModelError if an invalid operation, a division by zero or an
// overflow has been raised since the last clearStatus()/check(); clears the
// status either way. Invalid operation is reported first, then division by
// zero, then overflow, when several were raised together.
void check();

double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);

} // namespace siltmere::fp
