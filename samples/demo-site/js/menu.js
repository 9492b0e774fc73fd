// ƒƒjƒ…[‚ÌŠJ•Â
function toggleMenu(id) {
  var e = document.getElementById(id);
  e.style.display = e.style.display == "none" ? "block" : "none";
}
