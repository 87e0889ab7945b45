// The audio worklet that pulls the reader's sound. Each render quantum takes
// its frames from the ring the program's feeder thread fills (in the
// program's shared memory), and wakes the feeder. When asked, it also notes
// where sound starts and ends in what it renders, counted in frames, so a
// test can measure the pauses in the page's real output.
class FudaSoundProcessor extends AudioWorkletProcessor {
  constructor(options) {
    super();
    const { buffer, ring, channels, record } = options.processorOptions;
    this.words = new Int32Array(buffer, ring, 5);
    this.capacity = this.words[3];
    this.samples = new Int16Array(buffer, this.words[4], this.capacity * channels);
    this.channels = channels;
    this.frame = 0;  // frames rendered so far
    this.record = record;
    this.sounding = false;
    this.lastSound = -1;
    this.edges = [];
    this.port.onmessage = (event) => {
      if (event.data === 'edges') {
        this.port.postMessage({ edges: this.edges, frame: this.frame, underruns: Atomics.load(this.words, 2) });
      }
    };
  }

  // A pause shorter than this is a wave's zero crossing, not silence.
  static get kQuietFrames() { return 64; }

  note(frame, value) {
    if (value !== 0) {
      if (!this.sounding) {
        this.edges.push({ start: frame });
        this.sounding = true;
      }
      this.lastSound = frame;
    } else if (this.sounding && frame - this.lastSound >= FudaSoundProcessor.kQuietFrames) {
      this.edges[this.edges.length - 1].end = this.lastSound + 1;
      this.sounding = false;
    }
  }

  process(inputs, outputs) {
    const out = outputs[0];
    const frames = out[0].length;
    const taken = Atomics.load(this.words, 0);
    const written = Atomics.load(this.words, 1);
    const ready = Math.min(frames, (written - taken) >>> 0);
    const mask = this.capacity - 1;
    for (let i = 0; i < ready; ++i) {
      const at = ((taken + i) & mask) * this.channels;
      for (let c = 0; c < out.length; ++c) {
        out[c][i] = this.samples[at + Math.min(c, this.channels - 1)] / 32768;
      }
      if (this.record) this.note(this.frame + i, this.samples[at]);
    }
    for (let i = ready; i < frames; ++i) {
      for (let c = 0; c < out.length; ++c) out[c][i] = 0;
      if (this.record) this.note(this.frame + i, 0);
    }
    if (ready < frames) Atomics.add(this.words, 2, 1);
    Atomics.store(this.words, 0, (taken + ready) | 0);
    Atomics.notify(this.words, 0);
    this.frame += frames;
    return true;
  }
}

registerProcessor('fuda-sound', FudaSoundProcessor);
