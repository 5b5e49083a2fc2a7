// Tarnell's control layer: VB-style forms and controls over Win32.
#pragma once

#include "ui/app.h"
#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/gdi.h"
#include "ui/picture.h"
#include "ui/prompts.h"
#include "ui/timer.h"
