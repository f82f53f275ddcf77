#pragma once
#include "data/EBladDanych.h"

// The start-up found the data file or its folder not writable. The project
// is then in read-only mode and cannot be used; the host shows the message.
class EBazaTylkoDoOdczytu : public EBladDanych {
public:
    using EBladDanych::EBladDanych;
};
