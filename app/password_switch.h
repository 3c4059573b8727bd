#pragma once

#include "app/main_window.h"

namespace vanterel {

// Shows the password in clear or masks it again; Label5's caption names
// what the next click will do.
void Label5_Click(MainWindow& form);

}  // namespace vanterel
