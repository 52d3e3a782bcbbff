#pragma once
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// Timer_Clip's step after the window came back: on low-colour screens the picture takes the
// screen's colours; then the gaps a capture of several windows left (Workspace::captureFill) are
// painted in the clear colour, or taken from picture memory 1 when 合成するON and
// ﾒﾓﾘｰ１と合成するＯＮ say so. The gaps are used once.
void FillCaptureGaps(Workspace& workspace, MainWindowServices& window);
