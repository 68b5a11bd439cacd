#include "ui/host_connection.h"

namespace trivex::ui {

void HostConnection::Connect() {
    application_ = host_.NewApplication();
    application_->Subscribe(&sink_);
    map_ = application_->GetMap();
    map_->Subscribe(&sink_);
    failed_ = false;
}

void HostConnection::StopEvents() {
    if (map_) map_->Subscribe(nullptr);
    if (application_) application_->Subscribe(nullptr);
}

void HostConnection::Release() {
    map_.reset();
    application_.reset();
}

}  // namespace trivex::ui
