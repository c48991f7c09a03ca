#pragma once
// The readings tests use the shared fixture folder of small database files.

#include "tests/support/fixture_folder.h"
