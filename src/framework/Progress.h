#pragma once
// Something that keeps the window alive while a long load or save runs: the
// shell's progress dialog implements it, and the work calls Pump now and then
// so that its animation moves and the window repaints.
class CProgressSink {
public:
    virtual ~CProgressSink() = default;
    virtual void Pump() = 0;
};
