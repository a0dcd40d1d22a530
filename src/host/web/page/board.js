// The picture of the board on a canvas, drawn as in the desktop window:
// discs filled with the owner's tint, a dark outline, black text written
// from its top left corner. The canvas stays hidden until the game first
// draws, since only one map has a picture.
'use strict';

const sonarchBoard = (() => {
  let canvas = null;
  let context = null;
  let x = 0, y = 0;
  let points = 8;

  function font() {
    return `${Math.round(points * 4 / 3)}px "DejaVu Sans", Verdana, sans-serif`;
  }

  return {
    attach(element) {
      canvas = element;
      context = canvas.getContext('2d');
    },
    clear() {
      canvas.hidden = false;
      context.fillStyle = '#ffffff';
      context.fillRect(0, 0, canvas.width, canvas.height);
    },
    colour(red, green, blue) {
      context.fillStyle = `rgb(${red}, ${green}, ${blue})`;
    },
    circle(centreX, centreY, radius) {
      context.beginPath();
      context.arc(centreX, centreY, radius, 0, 2 * Math.PI);
      context.fill();
      context.strokeStyle = '#333333';
      context.lineWidth = 1;
      context.stroke();
    },
    textPosition(left, top) { x = left; y = top; },
    fontSize(size) { points = size; },
    write(text) {
      const tint = context.fillStyle;
      context.fillStyle = '#000000';
      context.font = font();
      context.textBaseline = 'top';
      context.fillText(text, x, y);
      context.fillStyle = tint;
    },
  };
})();
