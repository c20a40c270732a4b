// The program's resources as a resource script for windres, in UTF-8.
#pragma once

#include <string>

#include "platform/desktop/resource_model.h"

std::string WriteResourceScript(const desktop::ResourceSet& resources);
