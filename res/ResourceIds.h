// Resource ids shared by the resource script and the code.
#pragma once

#define AppIconId 103
#define HelpDialogId 106
