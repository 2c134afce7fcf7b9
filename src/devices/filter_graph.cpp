#include "devices/filter_graph.h"

#include <algorithm>

#include "devices/filter.h"

namespace quellon {

// A binding that outlives the graph is left without one rather than pointing at it.
TFilterGraph::~TFilterGraph() {
  SetActive(false);
  if (bindings_)
    for (TFilter* b : *bindings_) b->GraphGone();
}

// Bindings already attached enter the graph at once, as they would have without the wait.
void TFilterGraph::Loaded() {
  if (!AutoCreate) return;
  if (bindings_)
    SetActive(true);
  else
    deferred_ = true;
}

void TFilterGraph::MakeDeferred() {
  if (deferred_) SetActive(true);
}

bool TFilterGraph::Active() {
  MakeDeferred();
  return graph_ != nullptr;
}

void TFilterGraph::SetActive(bool active) {
  deferred_ = false;
  if (active == (graph_ != nullptr)) return;
  if (active) {
    graph_ = system_.CreateFilterGraph();
    if (!graph_ || !bindings_) return;
    for (TFilter* b : *bindings_) AddLiveFilter(*b);
  } else {
    if (bindings_)
      for (TFilter* b : *bindings_) RemoveLiveFilter(*b);
    graph_.reset();
  }
}

void TFilterGraph::AttachFilter(TFilter& binding) {
  if (!bindings_) bindings_.emplace();
  bindings_->push_back(&binding);
  if (Active()) AddLiveFilter(binding);  // the first binding makes a deferred graph
}

void TFilterGraph::DetachFilter(TFilter& binding) {
  if (!bindings_) return;
  std::erase(*bindings_, &binding);
  if (graph_) RemoveLiveFilter(binding);
  if (bindings_->empty()) bindings_.reset();
}

void TFilterGraph::AddLiveFilter(TFilter& binding) {
  binding.MakeLiveFilter();
  if (LiveFilter* f = binding.live_filter()) graph_->AddFilter(*f, binding.name());
}

void TFilterGraph::RemoveLiveFilter(TFilter& binding) {
  LiveFilter* f = binding.live_filter();
  if (!f) return;
  f->Stop();
  graph_->RemoveFilter(*f);
  binding.ReleaseLiveFilter();
}

std::vector<std::string> TFilterGraph::FilterNames() const {
  return graph_ ? graph_->FilterNames() : std::vector<std::string>{};
}

}  // namespace quellon
