// The countdown display and the clock hands, for the reader's timer dialog
// and the memotimer page alike. The core says what to show; the hands'
// geometry is the core's too, asked for the canvas' size.

export class TimerFace {
  // `clockHands(width, height, time)` is the core's geometry.
  constructor(root, clockHands) {
    this.display = root.querySelector('.countdown');
    this.canvas = root.querySelector('.hands');
    this.clockHands = clockHands;
    this.time = { hour: 0, minute: 0, second: 0 };
  }

  showCountdownText(text) {
    this.display.textContent = text;
  }

  showHands(time) {
    this.time = time;
    this.draw();
  }

  draw() {
    const canvas = this.canvas;
    const ratio = canvas.ownerDocument.defaultView.devicePixelRatio || 1;
    const side = Math.round(canvas.clientWidth * ratio) || canvas.width;
    if (canvas.width !== side) {
      canvas.width = side;
      canvas.height = side;
    }
    const context = canvas.getContext('2d');
    context.clearRect(0, 0, side, side);
    // The core centres the clock at a fifth of the width and half the
    // height; a width of 2.5 sides puts that centre in the middle of the
    // square canvas.
    for (const hand of this.clockHands(Math.round(side * 2.5), side, this.time)) {
      context.strokeStyle = `rgb(${hand.pen.red}, ${hand.pen.green}, ${hand.pen.blue})`;
      context.lineWidth = hand.pen.width * ratio;
      context.lineCap = 'round';
      context.beginPath();
      context.moveTo(hand.from.x, hand.from.y);
      context.lineTo(hand.to.x, hand.to.y);
      context.stroke();
    }
  }
}
