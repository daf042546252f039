#include "UnitSimulator.h"

struct UnitSimulator::Private {};
UnitSimulator::UnitSimulator(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {}
UnitSimulator::~UnitSimulator() = default;
