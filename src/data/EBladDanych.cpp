#include "data/EBladDanych.h"

EBladDanych::EBladDanych(const QString& message)
    : std::runtime_error(message.toStdString()), fMessage(message) {}
