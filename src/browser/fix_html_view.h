// The web view the browser control builds on: the framework's, unchanged.
#pragma once

#include "fw/afx.h"

class CFixHtmlView : public CHtmlView {};
